#pragma once
// Messages several parts of the program show with the same words.

// A command that needs an open file was given without one.
inline constexpr const char* kNoDbMessage = "It has no DB. First open your DB!";
