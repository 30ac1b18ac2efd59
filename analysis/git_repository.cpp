#include "analysis/git_repository.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "analysis/masks.h"

namespace quillstat {

namespace {

std::string withSlash(std::string path) {
  if (path.empty() || (path.back() != '/' && path.back() != '\\')) path.push_back('/');
  return path;
}

// Paths are UTF-8 throughout the program, whatever the system's code page.
std::filesystem::path fromUtf8(const std::string& text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

std::string toUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.remove_suffix(1);
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// `path` as written in a file of `directory` ("../x" or "/abs").
std::string resolvedFrom(const std::string& directory, std::string_view path) {
  const std::filesystem::path written = fromUtf8(std::string(path));
  if (written.is_absolute()) return withSlash(toUtf8(written.lexically_normal()));
  return withSlash(toUtf8((fromUtf8(directory) / written).lexically_normal()));
}

uint32_t bigEndian32(std::string_view bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

bool sameFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

std::optional<std::string> homeFile(const environmentLookup& environment, std::string_view rest) {
  std::optional<std::string> home = environment("HOME");
  if (!home || home->empty()) home = environment("USERPROFILE");
  if (!home || home->empty()) return std::nullopt;
  return withSlash(*home) + std::string(rest);
}

std::optional<std::string> configFile(const environmentLookup& environment,
                                      std::string_view name) {
  const std::optional<std::string> xdg = environment("XDG_CONFIG_HOME");
  if (xdg && !xdg->empty()) return withSlash(*xdg) + "git/" + std::string(name);
  return homeFile(environment, ".config/git/" + std::string(name));
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

bool readWholeFile(fileSystem& files, const std::string& path, std::string* text) {
  text->clear();
  intptr_t handle = 0;
  int64_t size = 0;
  ioError error;
  if (!files.openFile(path, pathType::unchecked, &handle, &size, &error)) return false;
  char block[65536];
  bool read = true;
  for (size_t got = 0;;) {
    if (!files.readFile(handle, block, sizeof block, &got, &error)) {
      read = false;
      break;
    }
    if (got == 0) break;
    text->append(block, got);
  }
  files.closeFile(handle);
  return read;
}

std::optional<workTree> findWorkTree(fileSystem& files, const std::string& directory) {
  std::error_code failed;
  std::filesystem::path start =
      std::filesystem::absolute(fromUtf8(directory), failed).lexically_normal();
  if (failed) return std::nullopt;
  if (start.has_relative_path() && start.filename().empty()) start = start.parent_path();
  std::vector<std::string> names;  // of the directories climbed, from the start up
  for (std::filesystem::path at = start;; at = at.parent_path()) {
    const std::string here = withSlash(toUtf8(at));
    std::string text;
    ioError error;
    intptr_t handle = 0;
    int64_t size = 0;
    std::optional<workTree> found;
    if (files.openFile(here + ".git", pathType::unchecked, &handle, &size, &error)) {
      files.closeFile(handle);
      // A worktree's or a submodule's: "gitdir: ../.git/worktrees/x".
      if (readWholeFile(files, here + ".git", &text) && text.starts_with("gitdir:")) {
        const std::string gitDir = resolvedFrom(here, trimmed(std::string_view(text).substr(7)));
        std::string common;
        const std::string commonDir =
            readWholeFile(files, gitDir + "commondir", &common)
                ? resolvedFrom(gitDir, trimmed(common))
                : gitDir;
        found = workTree{here, gitDir, commonDir, {}};
      }
    } else if (error.what == ioError::kind::isDirectory &&
               readWholeFile(files, here + ".git/HEAD", &text)) {
      found = workTree{here, here + ".git/", here + ".git/", {}};
    }
    if (found) {
      for (auto name = names.rbegin(); name != names.rend(); ++name) found->walked += *name + '/';
      return found;
    }
    if (!at.has_relative_path() || at.parent_path() == at) return std::nullopt;
    names.push_back(toUtf8(at.filename()));
  }
}

bool readIndexPaths(std::string_view bytes, size_t hashSize, std::vector<std::string>* paths) {
  paths->clear();
  if (bytes.size() < 12 || bytes.substr(0, 4) != "DIRC") return false;
  const uint32_t version = bigEndian32(bytes, 4);
  if (version < 2 || version > 4) return false;
  const uint32_t count = bigEndian32(bytes, 8);
  // ctime, mtime, dev, ino, mode, uid, gid, size: 40 bytes; the hash; flags.
  const size_t fixed = 40 + hashSize + 2;
  size_t at = 12;
  std::string previous;
  for (uint32_t entry = 0; entry < count; ++entry) {
    const size_t start = at;
    if (bytes.size() < at + fixed) return false;
    const uint16_t flags = static_cast<uint16_t>(
        (static_cast<unsigned char>(bytes[at + fixed - 2]) << 8) |
        static_cast<unsigned char>(bytes[at + fixed - 1]));
    at += fixed;
    if (version >= 3 && (flags & 0x4000) != 0) at += 2;  // the extended flags
    std::string path;
    if (version == 4) {
      // The path drops N bytes of the previous one's end and adds its own.
      size_t drop = 0;
      for (bool more = true; more;) {
        if (at >= bytes.size()) return false;
        const unsigned char byte = static_cast<unsigned char>(bytes[at++]);
        drop = (drop << 7) | (byte & 0x7F);
        more = (byte & 0x80) != 0;
        if (more) ++drop;
      }
      if (drop > previous.size()) return false;
      path = previous.substr(0, previous.size() - drop);
    }
    const size_t end = bytes.find('\0', at);
    if (end == std::string_view::npos) return false;
    path.append(bytes.substr(at, end - at));
    at = end + 1;
    // Versions 2 and 3 pad each entry with NULs to a multiple of 8 bytes.
    if (version < 4) at = start + ((at - start + 7) & ~size_t{7});
    // A sparse index keeps whole directories out of the work tree as "dir/".
    if (!path.empty() && path.back() != '/') paths->push_back(path);
    previous = std::move(path);
  }
  std::sort(paths->begin(), paths->end());
  paths->erase(std::unique(paths->begin(), paths->end()), paths->end());
  return true;
}

std::optional<std::string> configValue(std::string_view config, std::string_view key) {
  const size_t dot = key.rfind('.');
  const std::string_view section = key.substr(0, dot);
  const std::string_view name = key.substr(dot + 1);
  std::optional<std::string> value;
  bool inSection = false;
  while (!config.empty()) {
    const size_t end = config.find('\n');
    std::string_view line = trimmed(config.substr(0, end));
    config.remove_prefix(end == std::string_view::npos ? config.size() : end + 1);
    while (!line.empty() && line.front() == '\t') line = trimmed(line.substr(1));
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      std::string_view head = trimmed(line.substr(1, close == std::string_view::npos ? 0 : close - 1));
      inSection = sameFolded(head, section);
      line = close == std::string_view::npos ? std::string_view() : trimmed(line.substr(close + 1));
      if (line.empty()) continue;
    }
    if (!inSection) continue;
    const size_t equals = line.find('=');
    if (!sameFolded(trimmed(line.substr(0, equals)), name) || equals == std::string_view::npos) {
      continue;
    }
    std::string_view raw = trimmed(line.substr(equals + 1));
    std::string text;
    bool quoted = false;
    for (size_t i = 0; i < raw.size(); ++i) {
      const char c = raw[i];
      if (c == '"') {
        quoted = !quoted;
      } else if (c == '\\' && i + 1 < raw.size()) {
        const char next = raw[++i];
        text.push_back(next == 't' ? '\t' : next == 'n' ? '\n' : next);
      } else if ((c == '#' || c == ';') && !quoted) {
        break;
      } else {
        text.push_back(c);
      }
    }
    while (!quoted && !text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    value = text;
  }
  return value;
}

repositoryFacts readRepositoryFacts(fileSystem& files, const workTree& tree,
                                    const environmentLookup& environment) {
  repositoryFacts facts;
  std::string repositoryConfig;
  readWholeFile(files, tree.commonDir + "config", &repositoryConfig);
  std::string index;
  if (readWholeFile(files, tree.gitDir + "index", &index)) {
    const std::optional<std::string> format =
        configValue(repositoryConfig, "extensions.objectformat");
    const size_t hashSize = format && sameFolded(*format, "sha256") ? 32 : 20;
    if (!readIndexPaths(index, hashSize, &facts.tracked)) facts.tracked.clear();
  }
  readWholeFile(files, tree.commonDir + "info/exclude", &facts.infoExclude);

  // The repository's setting wins over the user's, the later file over the earlier.
  std::optional<std::string> excludes = configValue(repositoryConfig, "core.excludesfile");
  for (const std::optional<std::string>& userConfig :
       {homeFile(environment, ".gitconfig"), configFile(environment, "config")}) {
    std::string text;
    if (excludes || !userConfig || !readWholeFile(files, *userConfig, &text)) continue;
    excludes = configValue(text, "core.excludesfile");
  }
  if (excludes && excludes->starts_with("~/")) excludes = homeFile(environment, excludes->substr(2));
  if (!excludes) excludes = configFile(environment, "ignore");
  if (excludes) readWholeFile(files, *excludes, &facts.excludesFile);
  return facts;
}

}  // namespace quillstat
