/* Runs a program and reports its peak resident memory in KiB on descriptor 3.
 * The driver cannot measure that itself: the kernel carries a process's peak
 * across exec, so a child forked from the (larger) driver would report at
 * least the driver's size. This probe is small, and forks before it touches
 * anything, so the grandchild's figure is its own. On Linux the program runs
 * without address-space randomisation: where the C library lands decides how
 * many of its pages the kernel maps in around those the program reads, which
 * made the figure of the very same program swing by a tenth from run to run.
 * Exit status as the program's. */
#ifdef __linux__
#include <sys/personality.h>
#endif
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static void report(long kib) {
  char digits[24];
  char *p = digits + sizeof digits;
  *--p = '\n';
  do {
    *--p = (char)('0' + kib % 10);
    kib /= 10;
  } while (kib > 0);
  (void)!write(3, p, (size_t)(digits + sizeof digits - p));
}

int main(int argc, char **argv) {
  if (argc < 2) return 127;
  const pid_t pid = fork();
  if (pid == 0) {
    close(3);
#ifdef __linux__
    personality(ADDR_NO_RANDOMIZE);
#endif
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return 127;
  report(usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
