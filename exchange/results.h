#pragma once

#include <string>

#include "session.h"

// The results of a complete calculation in the formats other programs read. Each is the
// whole file's text; the record must be complete.
namespace cp {

// One row a point (0..L, as the report lists them): index, name, role, X, Y to the
// millimetre, then mx, my, md, E, F and phi. UTF-8 with a byte-order mark, CR LF.
std::string coordinates_csv(const SessionRecord& record);

// The point file of the common CAD surveying plug-in: name,code,Y,X,H a line, east
// before north, no header, an empty code and height 0, CR LF; one line a point of the
// network. UTF-8 here; it is written as GBK.
std::string cass_points(const SessionRecord& record);

// The network for CAD, DXF R12 in ground metres with DXF x = Y (east), y = X (north):
// a POINT and a TEXT name at each point, the radial and the perimeter sides, and the
// error ellipses magnified by the appendix's factor, each on a layer of its own, and a
// note of the magnification. Names beyond ASCII are written \U+XXXX.
std::string network_dxf(const SessionRecord& record);

// The network as gama-local XML input: A and B fixed, every other point free with the
// program's coordinates as approximations, every observed side a distance with one
// common standard deviation of 1 mm; with an outside azimuth, the orientation the
// program holds fixed as an azimuth of 0.001" standard deviation.
std::string gama_xml(const SessionRecord& record);

}  // namespace cp
