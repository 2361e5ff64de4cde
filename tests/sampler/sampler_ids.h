/* The sampler's billboards and their picture controls. Plain defines: the
   sampler's resource script includes this too. */
#ifndef TESTS_SAMPLER_SAMPLER_IDS_H
#define TESTS_SAMPLER_SAMPLER_IDS_H

#define kSamplerBillboard1 3001
#define kSamplerBillboard2 3002
#define kSamplerBillboard3 3003
#define kSamplerPicture 101

#endif
