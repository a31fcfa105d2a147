/* The I/O floor of the advisor: replays the transcript of a recorded run,
 * writing the same bytes in the same chunks and reading the same input lines
 * (4 KiB at a time, like the advisor), and does nothing else. No program that
 * holds this dialogue over standard input and output can do less. */
#include <errno.h>
#include <string.h>
#include <unistd.h>

#include "transcript.h"

struct lines {
  char buf[4096];
  size_t pos, len;
};

/* Consumes one input line; 0 when the input ends first. */
static int read_line(struct lines *in) {
  for (;;) {
    if (in->pos == in->len) {
      ssize_t k = read(0, in->buf, sizeof in->buf);
      if (k < 0 && errno == EINTR) continue;
      if (k <= 0) return 0;
      in->pos = 0;
      in->len = (size_t)k;
    }
    const char *lf = memchr(in->buf + in->pos, '\n', in->len - in->pos);
    if (lf != NULL) {
      in->pos = (size_t)(lf - in->buf) + 1;
      return 1;
    }
    in->pos = in->len;
  }
}

static void put(unsigned short id) {
  const char *p = chunk_text[id];
  size_t n = chunk_size[id];
  while (n > 0) {
    ssize_t k = write(1, p, n);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return;
    p += k;
    n -= (size_t)k;
  }
}

/* Writes each chunk of `ids` and reads a line after it. */
static int replay(struct lines *in, const unsigned short *ids, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (chunk_size[ids[i]] > 0) put(ids[i]);
    if (!read_line(in)) return 0;
  }
  return 1;
}

#define COUNT(a) (sizeof(a) / sizeof(a)[0])

int main(void) {
  struct lines in = {.pos = 0, .len = 0};
  if (!replay(&in, first_cycle, COUNT(first_cycle))) return 2;
  for (unsigned r = 0; r < steady_repeats; ++r) {
    if (!replay(&in, steady_cycle, COUNT(steady_cycle))) return 2;
  }
  if (!replay(&in, closing, COUNT(closing))) return 2;
  put(final_chunk);
  return 0;
}
