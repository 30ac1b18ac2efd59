#ifndef QUILLSTAT_ENGINE_WORD_DETECTORS_H_
#define QUILLSTAT_ENGINE_WORD_DETECTORS_H_

namespace quillstat {

// A letter is an ASCII letter only: digits, '_' and every byte from 0x80 up
// (Cyrillic in Windows-1251 included) are not letters.
inline bool isAsciiLetter(unsigned char c) {
  return static_cast<unsigned char>((c | 0x20) - 'a') < 26;
}

// Recognises `word` (lower case) letter by letter, each letter in either case.
// `state` is the number of letters matched so far (the caller owns it);
// `previous` is the byte just before `current`. Returns true on the character
// that follows the whole word, when the word is preceded and followed by a
// non-letter. A character that breaks a partial match is not retried as a
// start: it follows a letter, so it could not start a word anyway.
template <int Length>
inline bool stepWord(int& state, unsigned char current, unsigned char previous,
                     const char (&word)[Length + 1]) {
  if (state == Length) {
    state = 0;
    return !isAsciiLetter(current);
  }
  if (state == 0) {
    if ((current | 0x20) == word[0] && !isAsciiLetter(previous)) state = 1;
    return false;
  }
  state = (current | 0x20) == word[state] ? state + 1 : 0;
  return false;
}

inline bool stepTodo(int& state, unsigned char current, unsigned char previous) {
  return stepWord<4>(state, current, previous, "todo");
}

inline bool stepFixme(int& state, unsigned char current, unsigned char previous) {
  return stepWord<5>(state, current, previous, "fixme");
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_WORD_DETECTORS_H_
