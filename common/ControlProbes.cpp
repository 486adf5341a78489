#include "common/ControlProbes.h"

#include "runtime/Form.h"

namespace Common {

bool HasContainer(const Runtime::Control& control)
{
    return dynamic_cast<const Runtime::Form*>(&control) == nullptr;
}

bool HasIndex(const Runtime::Control& control)
{
    return control.IsArrayMember();
}

bool HasHwnd(const Runtime::Control& control)
{
    return control.hWnd() != nullptr;
}

void CopyFont(const Runtime::FontSpec& source, Runtime::FontSpec& target)
{
    target.Name = source.Name;
    target.Size = source.Size;
    if (source.Weight >= 1) target.Weight = source.Weight;
    target.Charset = source.Charset;
    target.Bold = source.Bold;
    if (source.Bold) target.Weight = 700;
    else if (target.Weight >= 700 && source.Weight < 700) target.Weight = 400;
    target.Italic = source.Italic;
    target.Underline = source.Underline;
    target.Strikethrough = source.Strikethrough;
}

} // namespace Common
