#include "ui/generate_action.h"

namespace tessaly {

void generate() {}

}  // namespace tessaly
