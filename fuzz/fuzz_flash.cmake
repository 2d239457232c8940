zav_add_fuzzer(fuzz_flash fuzz_flash.cpp zav_flash zav_base)
