// Prints the pointer size of the build it comes from: the test scripts run the
// 32-bit build of it once to learn whether this machine runs 32-bit programs.
#include <stdio.h>

int main() {
  printf("%u\n", (unsigned)sizeof(void*));
  return 0;
}
