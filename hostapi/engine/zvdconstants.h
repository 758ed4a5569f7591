#pragma once

/// Constants of the engine's stream format.
namespace zvd {
/// The tag of the engine's stream format; the library names the root element of a drawing's XML
/// form after it.
constexpr const wchar_t* STREAM_TAG = L"QuillmarkVectorDrawing";
/// Host side: the key of the stream's version entry.
constexpr const wchar_t* KEY_VERSION = L"Version";
/// Host side: stream format version 3.5, the one written.
constexpr const wchar_t* VERSION_3_5 = L"3.5";
/// Host side: stream format version 1.9.
constexpr const wchar_t* VERSION_1_9 = L"1.9";
/// Host side: stream format version 1.0.
constexpr const wchar_t* VERSION_1_0 = L"1.0";
/// Host side: ZVectorDrawing::lastError() after a stream it cannot read.
constexpr const wchar_t* ERROR_INVALID_STREAM = L"Invalid Stream Format";
} // namespace zvd

/// Save formats: 0 is the engine's binary stream, 1 is XML.
enum EnVDSaveFormat
{
    vdsfStream = 0, ///< the engine's binary stream; the library stores drawings in it
    vdsfXML = 1,    ///< XML
};
