#pragma once

#include <QtGlobal>

/// The tag byte in front of every value of an object stream.
enum class ObjectStreamTag : quint8 {
    EndOfList = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,   ///< 80-bit floating point, 10 bytes
    String = 6,     ///< 1-byte length, 8-bit text
    Identifier = 7, ///< 1-byte length
    False = 8,
    True = 9,
    Binary = 10,     ///< 4-byte length, bytes
    Set = 11,        ///< identifiers up to an empty one
    LongString = 12, ///< 4-byte length, 8-bit text
    Nil = 13,
    Collection = 14,
    Single = 15,     ///< 32-bit floating point
    Currency = 16,   ///< 64-bit integer, amount x 10000
    Date = 17,       ///< 64-bit floating point
    WideString = 18, ///< 4-byte count of UTF-16 units, UTF-16LE
    Int64 = 19,
    Utf8String = 20, ///< 4-byte length, UTF-8
};

constexpr quint8 kLastObjectStreamTag = 20;
