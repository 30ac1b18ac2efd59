#ifndef QUILLSTAT_ANALYSIS_GIT_REPOSITORY_H_
#define QUILLSTAT_ANALYSIS_GIT_REPOSITORY_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"

namespace quillstat {

// Where a git work tree keeps what the ignore rules need.
struct workTree {
  std::string root;       // the work tree's directory, with a '/' at its end
  std::string gitDir;     // its ".git" directory (a worktree's own one), with '/'
  std::string commonDir;  // where config and info/ live (gitDir unless a worktree's)
  // The walked directory's path from root, '/' separators and one at its end,
  // or "" for the root itself.
  std::string walked;
};

// Looks up an environment variable; nothing when unset.
using environmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The process's own environment.
std::optional<std::string> processEnvironment(const char* name);

// The work tree that `directory` lies in, found as git finds it: the
// nearest of the directory and its parents that holds a ".git" directory
// (with a HEAD file) or a ".git" file "gitdir: PATH" (a worktree's or a
// submodule's; PATH relative to the file's directory unless absolute, and
// its "commondir" file, if any, naming the common directory the same way).
// Nothing when there is none, or when the directory has no absolute path.
std::optional<workTree> findWorkTree(fileSystem& files, const std::string& directory);

// The paths of the files an index (".git/index", versions 2, 3 and 4) holds,
// sorted and each once, '/' separators; `hashSize` is 20 for SHA-1
// repositories, 32 for SHA-256. False when `bytes` is no index it can read.
bool readIndexPaths(std::string_view bytes, size_t hashSize, std::vector<std::string>* paths);

// The value of `key` ("core.excludesfile", section and name in any case) in
// the git config text `config`, the last one given; nothing when absent.
std::optional<std::string> configValue(std::string_view config, std::string_view key);

// The whole file at `path` read through `files` into *text; false when it
// cannot be read (no such file included).
bool readWholeFile(fileSystem& files, const std::string& path, std::string* text);

// What git's ignore rules read, besides the ".gitignore" files of the tree.
struct repositoryFacts {
  std::vector<std::string> tracked;  // readIndexPaths of the index; empty if none
  std::string infoExclude;           // info/exclude's text
  std::string excludesFile;          // the text of core.excludesFile, or of its default
};

// Reads them: the index, info/exclude, and the excludes file that
// core.excludesFile names in the repository's config, the user's
// (~/.gitconfig, $XDG_CONFIG_HOME/git/config or ~/.config/git/config) or
// else $XDG_CONFIG_HOME/git/ignore or ~/.config/git/ignore ("~/" taken
// from HOME). What is missing is empty.
repositoryFacts readRepositoryFacts(fileSystem& files, const workTree& tree,
                                    const environmentLookup& environment);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_GIT_REPOSITORY_H_
