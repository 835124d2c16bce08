// SPDX-License-Identifier: MIT
// Test-side writer of the data-file encoding, to build files for loaders.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CrpWriter {
  public:
    CrpWriter& Byte(int value);
    CrpWriter& Word(int value);  // stored as two bytes, low first; any 0..65535
    CrpWriter& Int32(qint32 value);
    CrpWriter& Degrees(double degrees);    // 1/10000 degree units
    CrpWriter& Text(const QString& text);  // Windows-1252, shifted by 21
    CrpWriter& Raw(const QByteArray& bytes);

    const QByteArray& Bytes() const { return bytes_; }
    void Save(const QString& fileName) const;

  private:
    QByteArray bytes_;
};

// One area record; fields in file order.
struct AreaRecord {
    QString Code, Alt1, Alt2;
    QStringList Names{"Namn", "", "", "", "", ""};
    QString FlagFile;
    int Reserved = 0;
    double North = 0, South = 0, East = 0, West = 0;
    double Seed1Lat = 0, Seed1Lon = 0, Seed2Lat = 0, Seed2Lon = 0;
    QList<QPair<double, double>> Points;  // (lat, lon)
    int PointCountOverride = -1;          // write another count than Points.size()
};
void WriteArea(CrpWriter& w, const AreaRecord& a);

// A rectangular area with its bounds and seeds filled in.
AreaRecord BoxArea(const QString& code, double south, double west, double north, double east);

struct PlaceRecord {
    QString Code;
    QStringList Names{"Ort", "", "", "", "", ""};
    int Rank = 1;
    int Flag1 = 0, Flag2 = 0;
    QString Member1, Member2, Member3;
    double Lat = 0, Lon = 0;
};
void WritePlace(CrpWriter& w, const PlaceRecord& p);

struct ExerciseRecord {
    QString Kind = "AREA";
    QStringList Names{"Sv", "En", "Fr", "De", "Es", "It"};
    int Number = 1, MaxRank = 10, BorderWidth = 1;
    int Flag1 = 0, Flag2 = 0, Reserved = 0;
    int MapNo = 1, PlaceFileNo = 1;
    QString Continent = "EUR";
    quint32 Land = 0, Area = 0, Sea = 0;
    double Top = 70, Bottom = 30, Centre = 10;
    QStringList Items;
    int ItemCountOverride = -1;
};
void WriteExercise(CrpWriter& w, const ExerciseRecord& e);
