// Defaults for the sanitizers of the test build, compiled into every test
// program so that running one by hand behaves as under ctest.

extern "C" {

// Allocations that the Firebird client library keeps for the life of the
// process (big numbers of its SRP authentication, iconv handles of its
// character-set layer, ICU data of the embedded engine's collations). Our
// own interfaces are not suppressed.
const char* __lsan_default_suppressions() {
  return "leak:mp_init\n"
         "leak:libicuuc\n"
         "leak:__gconv_open\n"
         "leak:__gconv_lookup_cache\n";
}

// The Firebird client loads and unloads its plugins (and their thread-local
// storage) at run time; tracking that storage through __tls_get_addr leaves
// stale entries that crash the leak checker at exit.
const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}  // extern "C"
