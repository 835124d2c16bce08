// The map: sea seeds, view, projection and the flood-fill drawing.
#include "UKarta.h"

#include "platform/Picture.h"

CKarta::~CKarta() = default;
