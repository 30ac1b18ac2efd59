#ifndef QUILLSTAT_ENGINE_EXACT_STEP_H_
#define QUILLSTAT_ENGINE_EXACT_STEP_H_

namespace quillstat {

// What a handler of the exact machine (exact_scanner.h), or a hook's,
// answers: where the machine goes on, and whether it must wait there. With
// `waits`, the bytes from `next` on cannot be decided before more arrive:
// the machine holds them and takes them up again, joined to the next chunk.
// A token's handler may also decline its token (kDeclined: no place, no
// wait): then the row's other tokens are tried.
struct stepResult {
  const unsigned char* next = nullptr;
  bool waits = false;

  constexpr stepResult() = default;
  constexpr stepResult(const unsigned char* at, bool wait) : next(at), waits(wait) {}
  // A place alone: the machine goes on there, or a null place declines the
  // token. Implicit, so that a handler that never waits reads as before.
  constexpr stepResult(const unsigned char* at) : next(at) {}  // NOLINT: implicit on purpose

  bool declined() const { return next == nullptr && !waits; }
};

inline stepResult goOn(const unsigned char* p) { return {p, false}; }
inline stepResult waitAt(const unsigned char* p) { return {p, true}; }
inline constexpr stepResult kDeclined{nullptr, false};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_STEP_H_
