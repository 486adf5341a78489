#pragma once
// What this process holds now, as the system's tables tell it: its threads
// (a thread snapshot) and its kernel handles (the system's handle table;
// under Wine GetProcessHandleCount answers 0).
namespace TestSupport {

int ThreadCount();
// -1 when the system does not give its handle table.
int HandleCount();

} // namespace TestSupport
