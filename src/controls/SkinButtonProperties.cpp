#include "controls/SkinButtonProperties.h"

SkinButtonProperties newSkinButtonProperties(const QString& name, const QFont& font)
{
    SkinButtonProperties p;  // the member defaults are the new-control values
    p.caption = name;
    p.font = font;
    return p;
}
