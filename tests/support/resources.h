#pragma once

// The number of file descriptors this process holds open (sockets included).
int openFileDescriptorCount();
