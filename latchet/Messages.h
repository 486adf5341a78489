#pragma once
// The module that fills the thread's table of named window messages
// (Common::ThreadMessageList) for the control's message page.

namespace Messages {

// Fills the table anew: 1,198 rows in the page's order.
void Init();

} // namespace Messages
