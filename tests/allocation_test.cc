// Once the advisor runs, an analysis costs no heap memory: the allocations of
// a whole run do not grow with the number of analyses. Every allocation of
// this test program is counted, through operator new and through malloc.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "console/program_end.h"
#include "console/run_advisor.h"
#include "core/angaben.h"
#include "mixed_session.h"
#include "null_terminal.h"
#include "picture/bilder.h"
#include "training/aufgabe.h"
#include "training/ziehung.h"

namespace {

// The one counter the replaced allocation functions share; only this test
// program has it.
std::atomic<long> allocations{0};

}  // namespace

#if defined(__GLIBC__)
// malloc and its kin, counted and handed on to the C library's allocator.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t n) {
  ++allocations;
  return __libc_malloc(n);
}
void* calloc(std::size_t k, std::size_t n) {
  ++allocations;
  return __libc_calloc(k, n);
}
void* realloc(void* p, std::size_t n) {
  ++allocations;
  return __libc_realloc(p, n);
}
void* memalign(std::size_t a, std::size_t n) {
  ++allocations;
  return __libc_memalign(a, n);
}
void* aligned_alloc(std::size_t a, std::size_t n) {
  ++allocations;
  return __libc_memalign(a, n);
}
int posix_memalign(void** p, std::size_t a, std::size_t n) {
  ++allocations;
  *p = __libc_memalign(a, n);
  return *p != nullptr ? 0 : ENOMEM;
}
void free(void* p) {
  __libc_free(p);
}
}
constexpr bool kMallocCounted = true;
#else
constexpr bool kMallocCounted = false;
#endif

// operator new, counted whether or not malloc is.
void* operator new(std::size_t n) {
  ++allocations;
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
  return ::operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept {
  return ::operator new(n, tag);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace ausweich {
namespace {

/// Allocations made by one whole run of `input`, screen thrown away.
long allocations_of_run(const std::string& input) {
  NullTerminal terminal(input);
  const long before = allocations;
  const int status = run_advisor(terminal);
  const long made = allocations - before;
  EXPECT_EQ(status, kStatusQuit);
  return made;
}

// The counter must see what it is meant to count, or the test below would
// pass for nothing.
TEST(AllocationTest, CounterSeesNewAndMalloc) {
  long before = allocations;
  auto text = std::make_unique<std::string>(100, 'x');
  EXPECT_GE(allocations - before, 2);
  before = allocations;
  void* block = std::malloc(64);
  EXPECT_EQ(allocations - before, kMallocCounted ? 1 : 0);
  std::free(block);
}

TEST(AllocationTest, RunsOfManyAnalysesAllocateNoMoreThanShortOnes) {
  allocations_of_run(bench::mixed_input(10));  // first-use allocations of the runtime
  const long ten = allocations_of_run(bench::mixed_input(10));
  EXPECT_EQ(allocations_of_run(bench::mixed_input(100)), ten);
  EXPECT_EQ(allocations_of_run(bench::mixed_input(1000)), ten);
  // What is left is the end of the run itself (the exception that ends it).
  EXPECT_LE(ten, 2);
}

// Nor does a picture: every one is written into the caller's buffer.
TEST(AllocationTest, PicturesAllocateNothing) {
  Random zufall(3);
  const Ziehung ziehung = ziehe(10, zufall);
  Bildpuffer puffer;
  const long before = allocations;
  for (const Begegnung& b : ziehung.begegnungen()) {
    const Aufgabe a(b);
    Angaben angaben;
    a.vorlegen(angaben);
    a.aufloesen(angaben);
    for (const Tageszeit t : {Tageszeit::tag, Tageszeit::nacht}) {
      EXPECT_FALSE(zeichne(angaben, t, puffer).bild.empty());
    }
  }
  EXPECT_EQ(allocations - before, 0);
}

}  // namespace
}  // namespace ausweich
