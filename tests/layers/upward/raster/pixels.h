#pragma once
// The pixels build on base alone: check_layers.sh must refuse an include of the model.
#include "model/params.h"
