// SPDX-License-Identifier: MIT
// Writes exercises as catalogue records, the format COvningar::Load reads:
// the player's own exercises and the files they are shared in.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "data/Fileread.h"

class COvning;

// A field the record format can't hold: a text longer than 255 bytes or
// with a character outside Windows-1252, a number beyond its word or byte.
class ECatalogueField : public Exception {
  public:
    using Exception::Exception;
};

// The records of the entries, in order. Raises ECatalogueField.
QByteArray EncodeCatalogue(const std::vector<const COvning*>& entries);
// Writes them all or nothing: an existing file stays as it was on failure.
// Raises ECatalogueField, or EInOutError with the system's message.
void SaveCatalogue(const std::vector<const COvning*>& entries, const QString& fileName);
// Why the text can't be stored in a record; empty when it can.
QString CatalogueTextProblem(const QString& text);
