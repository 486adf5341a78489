#pragma once
// What this process holds now: its threads (a thread snapshot) and its
// kernel handles (the handle values that answer; under Wine
// GetProcessHandleCount answers 0).
namespace TestSupport {

int ThreadCount();
int HandleCount();

} // namespace TestSupport
