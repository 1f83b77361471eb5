#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the run at a broken promise of the code under test, so that libFuzzer
// keeps the input and the corpus replay fails. Unlike assert() it stays on in
// release builds.
#define FUZZ_CHECK(condition)                                                        \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                  \
    }                                                                                \
  } while (false)
