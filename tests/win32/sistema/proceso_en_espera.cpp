// A program that only waits, for the process tests to find under another name; they end it.
#include <windows.h>

int main() {
  Sleep(120000);
  return 0;
}
