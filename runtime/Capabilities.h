#pragma once
// What helpers that act on "any control" look for: a control offers a
// capability by implementing one of these interfaces, and a helper finds it
// with dynamic_cast. A kind without the capability is left alone.
#include <string>

namespace Runtime {

// A list of text items, each with a number of item data (list box, combo box).
class IList {
public:
    virtual ~IList() = default;
    virtual int ListCount() const = 0;
    virtual std::wstring List(int index) const = 0;          // 0-based
    virtual int ListIndex() const = 0;                        // -1 = none
    // Selects an item (-1 = none) and raises Click when the index changes.
    virtual void SetListIndex(int index) = 0;
    // Adds an item at the end (index -1) or before `index`.
    virtual void AddItem(const std::wstring& text, int index = -1) = 0;
    virtual void RemoveItem(int index) = 0;
    virtual void Clear() = 0;
    virtual long ItemData(int index) const = 0;
    // Kinds without item data raise a run-time error.
    virtual void SetItemData(int index, long data) = 0;
    // The index of the item added last.
    virtual int NewIndex() const = 0;
};

// Editable text with a caret and selection (text box, combo box's edit part).
class IText {
public:
    virtual ~IText() = default;
    virtual std::wstring Text() const = 0;
    virtual void SetText(const std::wstring& text) = 0;
    virtual int SelStart() const = 0;                         // 0-based
    virtual void SetSelStart(int start) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
};

} // namespace Runtime
