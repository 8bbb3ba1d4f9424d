// Run-time options of AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, built into
// every program of a sanitizer build: the first report of any kind ends the program with a
// failure, with a stack trace; leaks are looked for at exit, and only those listed in the
// suppressions file (a system library's, which this project cannot mend) are passed over.
// Options in ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still take precedence.

extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:detect_leaks=1";
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" CHARGEFIELD_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
