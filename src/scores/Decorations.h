// SPDX-License-Identifier: MIT
// Small decorative pictures of the score screens, drawn rather than shipped.
#pragma once

#include <QPixmap>

QPixmap StarPicture(int size);
QPixmap FlowerPicture(int size);
