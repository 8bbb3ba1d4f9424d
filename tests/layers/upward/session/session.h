#pragma once
// The session is below the faces: check_layers.sh must refuse Qt in it.
#include <QObject>
