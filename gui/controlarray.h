#pragma once

#include <QList>
#include <QString>

// A control array: like controls under one name, indexed from 0; element i
// has the objectName "Name(i)" (Label2(21)). Indexes need not be contiguous:
// an element that was never put in is null.
template <typename Control>
class ControlArray
{
public:
    explicit ControlArray(const QString &name) : m_name(name) {}

    // The objectName of element index.
    QString elementName(int index) const { return QStringLiteral("%1(%2)").arg(m_name).arg(index); }

    // The element, to read or to put in; the array grows to hold the index.
    Control *&operator[](int index)
    {
        if (index >= m_controls.size())
            m_controls.resize(index + 1, nullptr);
        return m_controls[index];
    }
    // The element, or null when there is none at that index.
    Control *at(int index) const { return m_controls.value(index, nullptr); }

    qsizetype size() const { return m_controls.size(); }
    // Every index up to the highest, null elements included.
    auto begin() const { return m_controls.cbegin(); }
    auto end() const { return m_controls.cend(); }

private:
    QString m_name;
    QList<Control *> m_controls;
};
