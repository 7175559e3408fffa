#pragma once
// A flock that waits no longer than it is allowed to.

namespace linux_files {

// Takes the flock `operation` (LOCK_SH or LOCK_EX) on fd, waiting up to
// `milliseconds`: a lock that some other program keeps must never freeze the
// window. False when another still holds it then; true as well on a file
// system that has no locks, where there is nothing to wait for.
bool lock_within(int fd, int operation, int milliseconds);

}  // namespace linux_files
