#pragma once

namespace velocarta {

// Where each step of the slide show goes, over photos 1 .. photoCount. Stopped, PhotoIndex
// is the photo on show (0 when the show opened with nothing on show). Every result lies in
// 1 .. photoCount, or is 0 when there is no photo at all.

// Fwd: the next photo, photo 1 after the last.
int SlideForwardIndex(int photoIndex, int photoCount);
// Bkwd: the previous photo, the last one before photo 1.
int SlideBackwardIndex(int photoIndex, int photoCount);
// Jump Fwd: ten on; a jump that reaches or passes the last photo goes to photo 1, so a
// forward jump never lands on the last photo.
int SlideJumpForwardIndex(int photoIndex, int photoCount);
// Jump Bkwd: ten back; below photo 1 it goes to the last photo.
int SlideJumpBackwardIndex(int photoIndex, int photoCount);
// Middle: half the count, rounded to the nearest whole photo with halves to even (345
// photos: 172; 7 photos: 4), and photo 1 at the least.
int SlideMiddleIndex(int photoCount);

// Pause: playing, PhotoIndex names the next photo; one back names the photo on show again.
// Where that falls below photo 1 the last photo is on show (after the tick that wrapped),
// unless nothing was shown yet.
int PausedPhotoIndex(int photoIndex, int photoCount, bool somethingShown);

}  // namespace velocarta
