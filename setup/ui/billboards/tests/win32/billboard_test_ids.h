/* The billboard test's template and its picture controls. Plain defines:
   the test's resource script includes this too. */
#ifndef SETUP_UI_TESTS_WIN32_BILLBOARD_TEST_IDS_H
#define SETUP_UI_TESTS_WIN32_BILLBOARD_TEST_IDS_H

#define kTestBillboard 4100
#define kSmallPicture 101   /* "PICSMALL": 24 x 16, with a "256" variant */
#define kLargePicture 102   /* "PICLARGE": 120 x 80, larger than its control */
#define kMissingPicture 103 /* "PICMISSING": no such bitmap */

#endif
