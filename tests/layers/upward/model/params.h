#pragma once
// An include from a lower folder to an upper one: check_layers.sh must refuse it.
#include "ui/widget.h"
#include <QString>
