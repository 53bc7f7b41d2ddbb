// A seam for the test build of the library: every fill of the drawing
// surface passes FaultPoint, where a hook may raise a fault in the middle of
// a request (an allocation failure, a thrown error). The product never sets
// a hook; the test build proves with one that no fault of a request leaves
// the library and that the device context and the lock are given back.
#pragma once

using FaultHook = void (*)();

// Sets the hook (null: none) that FaultPoint calls.
void SetFaultHook(FaultHook hook);
// Calls the hook when one is set.
void FaultPoint();
