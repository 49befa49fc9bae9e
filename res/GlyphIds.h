// Icons of the button pictures, each as shown enabled and as shown disabled: 20-29.
#pragma once

#define IDI_SPEAKER 20
#define IDI_SPEAKER_DISABLED 21
#define IDI_DOCUMENT 22
#define IDI_DOCUMENT_DISABLED 23
