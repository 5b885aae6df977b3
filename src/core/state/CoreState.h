#pragma once

// Every piece of the core's shared state back to its start value: the level, the load/save
// state, the displacements and the hit test. The program starts with it, and so does every
// test and every fuzz input, so nothing leaks from one to the next.
namespace quobix {

void InitCoreState();

} // namespace quobix
