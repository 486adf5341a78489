#include "runtime/KeyedList.h"

namespace Runtime {

void RaiseCollectionError(int number)
{
    switch (number) {
    case ErrIndexOutOfBounds: throw Error(number, "Index out of bounds");
    case ErrElementNotFound: throw Error(number, "Element not found");
    case ErrKeyNotUnique: throw Error(number, "Key is not unique in collection");
    default: throw Error(number);
    }
}

} // namespace Runtime
