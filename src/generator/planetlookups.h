#pragma once

#include <QString>

struct StarRecord;
class RandomSource;

// The planet lookups of the star-system generator. Each one reads the fixed planet tables and,
// where it rolls, draws from `random` in the order given; none keeps any state. A planet code is
// three characters: size ("1".."8", "a" for an asteroid belt), environment ("e" earth-like,
// "t" tolerable, "h" hostile) and resources ("r" rich, "p" poor).

// The zone letter ("B", "N", "H") of a 1-based orbit, from the zone string of the last of the
// letters A, F, G, K, M that the star's class contains; empty beyond the string.
QString orbitZone(const StarRecord &star, int orbit);

// The key that decides planet presence: the class in upper case, cut to its last two characters,
// or with "0" appended when it is a single letter ("dK5" -> "K5", "M" -> "M0", "dM" -> "DM").
QString subclassKey(const QString &spectralClass);

// Whether an orbit holds a planet: two rolls of 1..10 against the row of the star's subclass key.
// Keys in no row ("DA", "DF", "DM", "") never give a planet.
bool rollPlanet(const StarRecord &star, RandomSource &random);

// A planet code: a column roll, then a row roll, the row shifted by the orbit's zone.
QString planetCode(const StarRecord &star, int orbit, RandomSource &random);

// The environment column of a code: 0 earth-like (or anything unknown), 1 tolerable, 2 hostile.
int environmentIndex(const QString &code);

// The size value of a code: its leading digit, 0 for an asteroid belt.
int sizeValue(const QString &code);

// Gravity text by size value; no roll.
QString gravityText(const QString &code);

// Day length: one roll of 0..9.
QString dayLengthText(const QString &code, RandomSource &random);

// Atmosphere: one roll of 1..10, drawn even when the size (1 or less) leaves no atmosphere.
QString atmosphereText(const QString &code, RandomSource &random);

// Temperature: one roll of 1..10, made 6 hotter before the star's "B" run of orbits and 6 colder
// after it.
QString temperatureText(const StarRecord &star, int orbit, const QString &code, RandomSource &random);

// Hydrographic percentage: 0 without a roll when the atmosphere is "None", otherwise one roll of
// 1..10 in the table that the temperature picks (0 for temperatures outside both tables).
int hydroPercentage(const QString &code, const QString &temperature, const QString &atmosphere, RandomSource &random);
