#pragma once
// The module that fills the table of named window messages
// (Common::SharedMessageList) for the control's message page.

namespace Messages {

// Fills the table once: 1,198 rows in the page's order. A call while
// another thread fills it returns when the table is filled. A fill that
// runs out of memory throws std::bad_alloc and leaves the table empty, to
// be filled by the next call (or by a call that was waiting for it).
void Init();

} // namespace Messages
