// The members that the public headers define inline are exported by name as
// well, for hosts that call them (and hosts built against earlier headers).
// This file is compiled so that every inline function of the headers it
// includes is emitted (GCC and Clang: -fkeep-inline-functions); on Windows the
// export macro on each class exports its inline members by itself.
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRCoorMatrix.h"
#include "CGMTRHVRect.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRMatrix3D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRPoint3D.h"
#include "CGMTRPointValueCol.h"
#include "CGMTRRepeat.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRRotate3D.h"
#include "CGMTRTransform2D.h"
#include "CGMTRTransform3D.h"
#include "CGMTRVector2D.h"
#include "CGMTRVector3D.h"
#include "GMTRRT.h"
