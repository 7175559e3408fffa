#!/usr/bin/env bash
# The layers' rule at link level: the object files given (those of the core
# layers and the picture codecs) call no POSIX, Linux or X function, not even
# one that a standard C header declares as well (renameat2 in <stdio.h>,
# realpath in <stdlib.h>). Prints each call found and fails when there is one.
set -euo pipefail
calls='open|openat|creat|close|read|write|pread|pwrite|lseek|stat|lstat|fstat|fstatat|statx|access|faccessat|unlink|unlinkat|rename|renameat|renameat2|link|linkat|symlink|readlink|realpath|chdir|fchdir|getcwd|mkdir|rmdir|mkdtemp|mkstemp|opendir|fdopendir|readdir|closedir|dirfd|chmod|fchmod|chown|fchown|flock|fcntl|fsync|fdatasync|ftruncate|fallocate|dup|dup2|pipe|mmap|munmap|setxattr|getxattr|removexattr|listxattr|fsetxattr|fgetxattr|flistxattr|dlopen|dlsym|dlclose|dlerror|_exit|_Exit|fork|vfork|execv|execve|execvp|posix_spawn|posix_spawnp|waitpid|kill|getpid|getenv|setenv|sysconf|isatty|usleep|nanosleep|sleep|localtime_r|gmtime_r|getrandom|iconv|iconv_open|iconv_close|pthread_create|socket|connect|xcb_connect'
found=$(nm -u --format=just-symbols "$@" 2>/dev/null | sed -E 's/@.*//' | grep -Ex "($calls)(64)?" | sort -u || true)
if [ -n "$found" ]; then
  echo "operating-system calls outside the platform layer:"
  for symbol in $found; do
    for object in "$@"; do
      nm -u --format=just-symbols "$object" | sed -E 's/@.*//' | grep -Ex "${symbol}" >/dev/null && echo "  $symbol in $object"
    done
  done
  exit 1
fi
echo "no operating-system call in $# object files of the core and the picture codecs"
