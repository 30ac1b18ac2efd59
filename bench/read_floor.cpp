// The floor under a directory run: the least a program must do to read
// every file of a tree. It takes a NUL-separated list of paths made in
// advance (no walk, no sorting), shares it among N processes, file i to
// process i mod N, and each process reads its files into one reused buffer
// and counts their newlines with std::count, as a plain program would, so
// that every byte is looked at once. With --read-only nothing is counted:
// what the system alone costs.
//
// Usage: read_floor LIST [N] [--read-only]   (N defaults to the number of cores)
// Prints the files, bytes and newlines read.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

struct tally {
  uint64_t files = 0;
  uint64_t bytes = 0;
  uint64_t newlines = 0;
};

constexpr size_t kBufferSize = 256 * 1024;

tally readShare(const std::vector<const char*>& paths, unsigned share, unsigned shares,
                bool counts) {
  std::vector<char> buffer(kBufferSize);
  tally counted;
  for (size_t i = share; i < paths.size(); i += shares) {
    const int fd = open(paths[i], O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      std::perror(paths[i]);
      continue;
    }
    // A regular file reads short only at its end: no read of zero bytes is
    // asked for after that.
    for (;;) {
      const ssize_t got = read(fd, buffer.data(), buffer.size());
      if (got <= 0) break;
      counted.bytes += static_cast<uint64_t>(got);
      if (counts) {
        counted.newlines +=
            static_cast<uint64_t>(std::count(buffer.data(), buffer.data() + got, '\n'));
      }
      if (static_cast<size_t>(got) < buffer.size()) break;
    }
    close(fd);
    ++counted.files;
  }
  return counted;
}

}  // namespace

int main(int argc, char** argv) {
  const bool counts = std::string_view(argv[argc - 1]) != "--read-only";
  if (!counts) --argc;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: read_floor LIST [N] [--read-only]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::perror(argv[1]);
    return 2;
  }
  const std::string list((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<const char*> paths;
  for (size_t start = 0; start < list.size();) {
    const size_t end = std::min(list.find('\0', start), list.size());
    if (end > start) paths.push_back(list.c_str() + start);
    start = end + 1;
  }
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const unsigned shares = argc == 3 ? static_cast<unsigned>(std::atoi(argv[2])) : cores;
  if (shares == 0) {
    std::fprintf(stderr, "read_floor: N must be at least 1\n");
    return 2;
  }

  // Each process leaves its tally in a shared page, so the totals prove
  // that every file was read.
  void* page = mmap(nullptr, sizeof(tally) * shares, PROT_READ | PROT_WRITE,
                    MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (page == MAP_FAILED) {
    std::perror("mmap");
    return 2;
  }
  auto* tallies = static_cast<tally*>(page);
  std::vector<pid_t> children;
  for (unsigned share = 1; share < shares; ++share) {
    const pid_t child = fork();
    if (child < 0) {
      std::perror("fork");
      return 2;
    }
    if (child == 0) {
      tallies[share] = readShare(paths, share, shares, counts);
      _exit(0);
    }
    children.push_back(child);
  }
  tallies[0] = readShare(paths, 0, shares, counts);
  for (pid_t child : children) waitpid(child, nullptr, 0);

  tally total;
  for (unsigned share = 0; share < shares; ++share) {
    total.files += tallies[share].files;
    total.bytes += tallies[share].bytes;
    total.newlines += tallies[share].newlines;
  }
  std::printf("%llu files, %llu bytes, %llu newlines\n",
              static_cast<unsigned long long>(total.files),
              static_cast<unsigned long long>(total.bytes),
              static_cast<unsigned long long>(total.newlines));
  return 0;
}
