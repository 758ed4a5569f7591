#pragma once

// Fault injection for the drawing-file host, used by tests of code that must survive failing
// writes. Tests run as root, where permission bits cannot make a drawing file fail.
namespace orbdatafaults {

// Makes the nth removal from now (removeDrawset or removeDrawsetType on any data store; 1 is the
// next one) answer false without touching the file. Earlier removals work.
void failRemoval(int nth = 1);
// Makes the next `count` calls of OrbDrawingDataUtils::createDrawingFile answer null.
void failNextCreateDrawingFile(int count = 1);
// Makes the next `count` commits of an outermost endUpdate fail; the batch is rolled back.
void failNextCommit(int count = 1);
// Clears every pending fault.
void reset();

// Used by the host itself: true when the current call is to fail.
bool takeRemovalFault();
bool takeCreateFault();
bool takeCommitFault();

} // namespace orbdatafaults
