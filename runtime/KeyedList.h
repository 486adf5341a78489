#pragma once
// A 1-based collection of objects with optional unique keys, as the list
// view's items and columns, the status bar's panels and the image list's
// pictures are kept. Lookup by key is a hash lookup; each object knows its
// own 1-based position, renumbered when objects are inserted or removed.
// The objects live until they are removed or the collection is cleared, so
// references handed out stay valid until then.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/RuntimeError.h"

namespace Runtime {

// The collection errors of the common controls.
enum : int {
    ErrIndexOutOfBounds = 35600, // "Index out of bounds"
    ErrElementNotFound = 35601,  // "Element not found"
    ErrKeyNotUnique = 35602      // "Key is not unique in collection"
};

[[noreturn]] void RaiseCollectionError(int number);

// T keeps its key in `key_` and its position in `index_`, and befriends
// KeyedList<T>.
template <typename T>
class KeyedList {
public:
    int Count() const noexcept { return static_cast<int>(items_.size()); }

    T& At(int index) const
    {
        if (index < 1 || index > Count()) RaiseCollectionError(ErrIndexOutOfBounds);
        return *items_[static_cast<size_t>(index - 1)];
    }

    T& ByKey(const std::wstring& key) const
    {
        T* item = Find(key);
        if (!item) RaiseCollectionError(ErrElementNotFound);
        return *item;
    }

    // The object with this key, or null (an empty key finds nothing).
    T* Find(const std::wstring& key) const noexcept
    {
        if (key.empty()) return nullptr;
        auto it = byKey_.find(key);
        return it == byKey_.end() ? nullptr : it->second;
    }

    // Inserts at position `index` (1 to Count + 1; 0 means the end).
    T& Insert(int index, std::unique_ptr<T> item)
    {
        if (index == 0) index = Count() + 1;
        if (index < 1 || index > Count() + 1) RaiseCollectionError(ErrIndexOutOfBounds);
        if (Find(item->key_)) RaiseCollectionError(ErrKeyNotUnique);
        T& ref = *item;
        items_.insert(items_.begin() + (index - 1), std::move(item));
        if (!ref.key_.empty()) byKey_.emplace(ref.key_, &ref);
        Renumber(index);
        return ref;
    }

    // Takes the object at `index` out of the collection.
    std::unique_ptr<T> Take(int index)
    {
        At(index);
        std::unique_ptr<T> item = std::move(items_[static_cast<size_t>(index - 1)]);
        items_.erase(items_.begin() + (index - 1));
        if (!item->key_.empty()) byKey_.erase(item->key_);
        item->index_ = 0;
        Renumber(index);
        return item;
    }

    void Clear() noexcept
    {
        byKey_.clear();
        items_.clear();
    }

    // Gives an object of the collection another key (empty: none).
    void Rekey(T& item, const std::wstring& key)
    {
        if (key == item.key_) return;
        if (Find(key)) RaiseCollectionError(ErrKeyNotUnique);
        if (!item.key_.empty()) byKey_.erase(item.key_);
        item.key_ = key;
        if (!key.empty()) byKey_.emplace(key, &item);
    }

    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

private:
    void Renumber(int from)
    {
        for (size_t i = static_cast<size_t>(from - 1); i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i) + 1;
    }

    std::vector<std::unique_ptr<T>> items_;
    std::unordered_map<std::wstring, T*> byKey_;
};

} // namespace Runtime
