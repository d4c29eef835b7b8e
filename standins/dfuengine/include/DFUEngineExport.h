// Import/export of the DFU library stand-in's classes.
#pragma once
#ifdef DFUENGINE_BUILD
#define DFUENGINE_API __declspec(dllexport)
#else
#define DFUENGINE_API __declspec(dllimport)
#endif
