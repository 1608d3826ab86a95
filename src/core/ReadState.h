#pragma once

// Where the reading stands.
enum TReadState { rsIdle = 0, rsPaused = 1, rsReading = 2, rsConverting = 3, rsExiting = 4 };

// Where "read" sends its output.
enum TReadTarget { rtSingleFile = 0, rtMultipleFiles = 1, rtSpeakers = 2 };
