#include "ui/git_tree.h"

#include <charconv>

#include "analysis/directory_walk.h"

namespace quillstat {

namespace {

// Reads all that `git` writes.
std::string readAll(gitProcess& git) {
  std::string out;
  char buffer[1 << 16];
  size_t got = 0;
  while (git.receive(buffer, sizeof buffer, &got) && got > 0) out.append(buffer, got);
  return out;
}

}  // namespace

bool gitTree::open(const std::string& directory, const std::string& revision, std::string* error) {
  directory_ = directory;
  prefix_ = walkPrefix(directory);
  gitProcess lister;
  // --end-of-options: a revision that starts with '-' is no option.
  if (!lister.start(directory, {"ls-tree", "-r", "-z", "--end-of-options", revision}, error)) {
    return false;
  }
  const std::string listing = readAll(lister);
  if (const int status = lister.finish(); status != 0) {
    *error = "git ls-tree ended with status " + std::to_string(status);
    return false;
  }
  directories_[""];
  // Each entry: "<mode> <type> <object>\t<path>\0", paths below the directory.
  for (size_t at = 0; at < listing.size();) {
    const size_t end = listing.find('\0', at);
    const std::string_view entry(listing.data() + at, (end == std::string::npos ? listing.size() : end) - at);
    at = end == std::string::npos ? listing.size() : end + 1;
    const size_t tab = entry.find('\t');
    if (tab == std::string_view::npos || !(entry.starts_with("100644 blob ") || entry.starts_with("100755 blob "))) {
      continue;  // a symbolic link (120000) or a submodule (160000)
    }
    const std::string object(entry.substr(12, tab - 12));
    const std::string path(entry.substr(tab + 1));
    blobs_[path] = object;
    // Each directory on the way, listed in the one above it once.
    size_t slash = std::string::npos;
    std::string parent;
    size_t from = 0;
    while ((slash = path.find('/', from)) != std::string::npos) {
      const std::string directoryPath = path.substr(0, slash);
      if (directories_.find(directoryPath) == directories_.end()) {
        directories_[directoryPath];
        directories_[parent].push_back({path.substr(from, slash - from), entryKind::directory});
      }
      parent = directoryPath;
      from = slash + 1;
    }
    directories_[parent].push_back({path.substr(from), entryKind::file});
  }
  return reader_.start(directory, {"cat-file", "--batch"}, error);
}

bool gitTree::inTree(const std::string& path, std::string* relative) const {
  if (path == directory_ || path == prefix_) {
    relative->clear();
    return true;
  }
  if (!path.starts_with(prefix_)) return false;
  *relative = path.substr(prefix_.size());
  while (!relative->empty() && relative->back() == '/') relative->pop_back();
  return true;
}

bool gitTree::openFile(const std::string& path, pathType, intptr_t* handle, int64_t* size,
                       ioError* error) {
  std::string relative;
  const auto blob = inTree(path, &relative) ? blobs_.find(relative) : blobs_.end();
  if (blob == blobs_.end()) {
    *error = {directories_.count(relative) != 0 ? ioError::kind::isDirectory
                                                : ioError::kind::notFound, 0};
    return false;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  // The answer: "<object> blob <size>\n", the content, "\n".
  std::string header;
  char c = 0;
  size_t got = 0;
  bool alive = reader_.send(blob->second + "\n");
  while (alive && (alive = reader_.receive(&c, 1, &got) && got == 1) && c != '\n') header += c;
  int64_t length = -1;
  const size_t space = header.rfind(' ');
  if (alive && space != std::string::npos && header.find(" blob ") != std::string::npos) {
    std::from_chars(header.data() + space + 1, header.data() + header.size(), length);
  }
  if (length < 0) {
    *error = {ioError::kind::other, 0};
    return false;
  }
  openBlob opened;
  opened.content.resize(static_cast<size_t>(length) + 1);  // and its "\n"
  for (size_t filled = 0; filled < opened.content.size(); filled += got) {
    if (!reader_.receive(opened.content.data() + filled, opened.content.size() - filled, &got) ||
        got == 0) {
      *error = {ioError::kind::other, 0};
      return false;
    }
  }
  opened.content.pop_back();
  *size = length;
  *handle = nextHandle_++;
  open_.emplace(*handle, std::move(opened));
  return true;
}

bool gitTree::readFile(intptr_t handle, char* into, size_t capacity, size_t* got, ioError*) {
  std::lock_guard<std::mutex> lock(mutex_);
  openBlob& blob = open_.at(handle);
  *got = std::min(capacity, blob.content.size() - blob.offset);
  blob.content.copy(into, *got, blob.offset);
  blob.offset += *got;
  return true;
}

void gitTree::closeFile(intptr_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  open_.erase(handle);
}

bool gitTree::listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                            ioError* error) {
  entries->clear();
  std::string relative;
  const auto found = inTree(path, &relative) ? directories_.find(relative) : directories_.end();
  if (found == directories_.end()) {
    *error = {blobs_.count(relative) != 0 ? ioError::kind::other : ioError::kind::notFound, 0};
    return false;
  }
  *entries = found->second;
  return true;
}

}  // namespace quillstat
