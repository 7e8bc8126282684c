#include "timeline/EditorState.h"

#include "timeline/TimeText.h"

double EditorState::fullSeconds() const
{
    return leadingNumber(txtFullTime);
}
