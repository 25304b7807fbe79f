#include "events/action_objects.h"

#include "model/controller_configuration_class.h"
#include "model/event_action_class.h"
#include "model/image_layout.h"

int actionObjectCount(int type)
{
    switch (type) {
    case ActionScene: return int(image_layout::SceneCount);
    case ActionProgram: return int(image_layout::ProgramCount);
    case ActionSetStatus: return controller_configuration_class::StateCount;
    case ActionDelay: return int(image_layout::DelayCount);
    case ActionSequence: return int(image_layout::SequenceCount);
    case ActionMask: return int(image_layout::MaskCount);
    default: return 1;
    }
}
