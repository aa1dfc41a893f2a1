#pragma once

// The two faces of the window's layout: the Song face (宋体) for Chinese text, and the
// dialog sans face of the short labels and sketches. Each system's window finds an
// installed face for each.
namespace cp {

enum class Face { Song, Sans };

}  // namespace cp
