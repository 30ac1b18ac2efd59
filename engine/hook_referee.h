#ifndef QUILLSTAT_ENGINE_HOOK_REFEREE_H_
#define QUILLSTAT_ENGINE_HOOK_REFEREE_H_

// The interface each hook's referee implements: the part of the exact
// referee (exact_referee.h) that reads a hook's construct, a byte at a time.
// Each hook's referee, in exact_hooks/*_referee.h, drives the referee
// through the public calls of exactReferee.

#include <cstddef>

#include "engine/exact_rules.h"

namespace quillstat {

class exactReferee;

// A hook's part of the referee, made afresh for each scan.
class hookReferee {
 public:
  virtual ~hookReferee() = default;
  // Its token of `length` bytes stands at the referee's position, in code:
  // takes it and what else it decides, or declines it and takes nothing.
  virtual bool open(exactReferee& r, size_t length) = 0;
  // The byte at the referee's position, once enterHook() handed it over:
  // takes bytes, or changes the state and leaves the byte to it.
  virtual void step(exactReferee& r, unsigned char c) = 0;
};

// The referee of hook H, in exact_hooks/NAME_referee.h: a hookReferee.
template <hook H>
class hookRefereeOf;

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_HOOK_REFEREE_H_
