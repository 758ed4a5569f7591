#pragma once

// Constants of the engine's stream format.
namespace zvd {
constexpr const wchar_t* STREAM_TAG = L"QuillmarkVectorDrawing";
constexpr const wchar_t* KEY_VERSION = L"Version";
constexpr const wchar_t* VERSION_3_5 = L"3.5";
constexpr const wchar_t* VERSION_1_9 = L"1.9";
constexpr const wchar_t* VERSION_1_0 = L"1.0";
constexpr const wchar_t* ERROR_INVALID_STREAM = L"Invalid Stream Format";
} // namespace zvd

// Save formats: 0 is the engine's binary stream, 1 is XML.
enum EnVDSaveFormat
{
    vdsfStream = 0,
    vdsfXML = 1,
};
