#include "app/allocator.h"

#include <cstdlib>   // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void tuneAllocator()
{
#if defined(__GLIBC__)
    mallopt(M_MXFAST, 0);
#endif
}
