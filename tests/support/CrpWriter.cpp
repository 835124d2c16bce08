// SPDX-License-Identifier: MIT
// Test-side writer of the data-file encoding.
#include "CrpWriter.h"

#include <QFile>
#include <cmath>
#include <stdexcept>

#include "platform/TextCodec.h"

CrpWriter& CrpWriter::Byte(int value) {
    bytes_.append(char(value & 0xFF));
    return *this;
}

CrpWriter& CrpWriter::Word(int value) {
    return Byte(value).Byte(value >> 8);
}

CrpWriter& CrpWriter::Int32(qint32 value) {
    const quint32 u = quint32(value);
    return Byte(int(u)).Byte(int(u >> 8)).Byte(int(u >> 16)).Byte(int(u >> 24));
}

CrpWriter& CrpWriter::Degrees(double degrees) {
    return Int32(qint32(std::lround(degrees * 10000)));
}

CrpWriter& CrpWriter::Text(const QString& text) {
    const QByteArray raw = ToWindows1252(text);
    if (raw.size() > 255) throw std::invalid_argument("text longer than 255");
    Byte(int(raw.size()));
    for (char c : raw) Byte((uchar(c) - 21) & 0xFF);
    return *this;
}

CrpWriter& CrpWriter::Raw(const QByteArray& bytes) {
    bytes_.append(bytes);
    return *this;
}

void CrpWriter::Save(const QString& fileName) const {
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes_) != bytes_.size())
        throw std::runtime_error("cannot write test file");
}

void WriteArea(CrpWriter& w, const AreaRecord& a) {
    w.Text(a.Code).Text(a.Alt1).Text(a.Alt2);
    for (int i = 0; i < 6; ++i) w.Text(a.Names.value(i));
    w.Text(a.FlagFile).Word(a.Reserved);
    w.Word(a.PointCountOverride >= 0 ? a.PointCountOverride : int(a.Points.size()));
    w.Degrees(a.North).Degrees(a.South).Degrees(a.East).Degrees(a.West);
    w.Degrees(a.Seed1Lat).Degrees(a.Seed1Lon).Degrees(a.Seed2Lat).Degrees(a.Seed2Lon);
    for (const auto& p : a.Points) w.Degrees(p.first).Degrees(p.second);
}

AreaRecord BoxArea(const QString& code, double south, double west, double north, double east) {
    AreaRecord a;
    a.Code = code;
    a.Names = QStringList{code, "", "", "", "", ""};
    a.North = north;
    a.South = south;
    a.East = east;
    a.West = west;
    a.Seed1Lat = a.Seed2Lat = (north + south) / 2;
    a.Seed1Lon = a.Seed2Lon = (east + west) / 2;
    a.Points = {{south, west}, {north, west}, {north, east}, {south, east}};
    return a;
}

void WritePlace(CrpWriter& w, const PlaceRecord& p) {
    w.Text(p.Code);
    for (int i = 0; i < 6; ++i) w.Text(p.Names.value(i));
    w.Word(p.Rank).Byte(p.Flag1).Byte(p.Flag2);
    w.Text(p.Member1).Text(p.Member2).Text(p.Member3);
    w.Degrees(p.Lat).Degrees(p.Lon);
}

void WriteExercise(CrpWriter& w, const ExerciseRecord& e) {
    w.Text(e.Kind);
    for (int i = 0; i < 6; ++i) w.Text(e.Names.value(i));
    w.Word(e.Number).Byte(e.MaxRank).Byte(e.BorderWidth);
    w.Byte(e.Flag1).Byte(e.Flag2).Byte(e.Reserved);
    w.Word(e.MapNo).Word(e.PlaceFileNo).Text(e.Continent);
    w.Int32(qint32(e.Land)).Int32(qint32(e.Area)).Int32(qint32(e.Sea));
    w.Degrees(e.Top).Degrees(e.Bottom).Degrees(e.Centre);
    w.Word(e.ItemCountOverride >= 0 ? e.ItemCountOverride : int(e.Items.size()));
    for (const auto& item : e.Items) w.Text(item);
}
