// Run-time options of AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, built into
// every program of a sanitizer build: the first report of any kind ends the program with a
// failure, with a stack trace; leaks are looked for at exit, and only those listed in the
// suppressions file (a system library's, which this project cannot mend) are passed over.
// Options in ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still take precedence.
//
// intercept_tls_get_addr=0: with it on (AddressSanitizer's default), clang 14's run-time can fail
// on its own in the leak check at exit, "Tracer caught signal 11" while it walks the threads'
// dynamic TLS, a known fault of that run-time and no fault of the program. A probe of this build
// met it at random, and every time with the command line that draws the lines of equal flux over
// the potential map into PDF and SVG (one of the command line's tests). Off, leaks are still
// looked for.

extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0";
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" CHARGEFIELD_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
