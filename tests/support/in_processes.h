// Runs work in several child processes that start together, for tests of files shared by
// processes.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace orv::test {

// Runs work(i) in `count` child processes that start together; true when every child ended
// with status 0.
inline bool in_processes(int count, const std::function<bool(int)>& work) {
  int start[2];
  if (::pipe(start) != 0) return false;
  std::vector<pid_t> children;
  for (int i = 0; i < count; ++i) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(start[1]);
      char c;
      while (::read(start[0], &c, 1) > 0) {
      }
      ::_exit(work(i) ? 0 : 1);
    }
    children.push_back(pid);
  }
  ::close(start[0]);
  ::close(start[1]);  // every child starts now
  bool all = true;
  for (pid_t pid : children) {
    int status = 0;
    all = ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && all;
  }
  return all;
}

}  // namespace orv::test
