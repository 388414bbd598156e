/* The part of ST's STM32F10x Standard Peripheral Library that Pinwright's fragments use, declared
 * as the library documents it: its own integer types, the two enums, the ADC register block and
 * the two ADCs, the ADC_Init structure, the constants the panels offer and the ten functions.
 * Written for the compile test, so that a fragment naming anything else, or passing the wrong
 * kind of argument, fails to compile. Names follow the library's first release: the trigger on
 * external interrupt line 11 is ADC_ExternalTrigConv_Ext_IT11 (later releases add _TIM8_TRGO). */
#ifndef PINWRIGHT_ADC_DECLS_H
#define PINWRIGHT_ADC_DECLS_H

typedef unsigned long u32;
typedef unsigned short u16;
typedef unsigned char u8;
typedef volatile unsigned long vu32;

typedef enum { RESET = 0, SET = !RESET } FlagStatus;
typedef enum { DISABLE = 0, ENABLE = !DISABLE } FunctionalState;

typedef struct {
    vu32 SR, CR1, CR2, SMPR1, SMPR2;
    vu32 JOFR1, JOFR2, JOFR3, JOFR4;
    vu32 HTR, LTR;
    vu32 SQR1, SQR2, SQR3, JSQR;
    vu32 JDR1, JDR2, JDR3, JDR4;
    vu32 DR;
} ADC_TypeDef;

#define ADC1 ((ADC_TypeDef *)0x40012400)
#define ADC2 ((ADC_TypeDef *)0x40012800)

typedef struct {
    u32 ADC_Mode;
    FunctionalState ADC_ScanConvMode;
    FunctionalState ADC_ContinuousConvMode;
    u32 ADC_ExternalTrigConv;
    u32 ADC_DataAlign;
    u8 ADC_NbrOfChannel;
} ADC_InitTypeDef;

#define ADC_Mode_Independent ((u32)0x00000000)
#define ADC_Mode_RegInjecSimult ((u32)0x00010000)
#define ADC_Mode_RegSimult_AlterTrig ((u32)0x00020000)
#define ADC_Mode_InjecSimult_FastInterl ((u32)0x00030000)
#define ADC_Mode_InjecSimult_SlowInterl ((u32)0x00040000)
#define ADC_Mode_InjecSimult ((u32)0x00050000)
#define ADC_Mode_RegSimult ((u32)0x00060000)
#define ADC_Mode_FastInterl ((u32)0x00070000)
#define ADC_Mode_SlowInterl ((u32)0x00080000)
#define ADC_Mode_AlterTrig ((u32)0x00090000)

#define ADC_ExternalTrigConv_T1_CC1 ((u32)0x00000000)
#define ADC_ExternalTrigConv_T1_CC2 ((u32)0x00020000)
#define ADC_ExternalTrigConv_T1_CC3 ((u32)0x00040000)
#define ADC_ExternalTrigConv_T2_CC2 ((u32)0x00060000)
#define ADC_ExternalTrigConv_T3_TRGO ((u32)0x00080000)
#define ADC_ExternalTrigConv_T4_CC4 ((u32)0x000A0000)
#define ADC_ExternalTrigConv_Ext_IT11 ((u32)0x000C0000)
#define ADC_ExternalTrigConv_None ((u32)0x000E0000)

#define ADC_DataAlign_Right ((u32)0x00000000)
#define ADC_DataAlign_Left ((u32)0x00000800)

#define ADC_IT_EOC ((u16)0x0220)
#define ADC_IT_AWD ((u16)0x0140)
#define ADC_IT_JEOC ((u16)0x0480)

void ADC_DeInit(ADC_TypeDef *ADCx);
void ADC_Init(ADC_TypeDef *ADCx, ADC_InitTypeDef *ADC_InitStruct);
void ADC_StructInit(ADC_InitTypeDef *ADC_InitStruct);
void ADC_Cmd(ADC_TypeDef *ADCx, FunctionalState NewState);
void ADC_DMACmd(ADC_TypeDef *ADCx, FunctionalState NewState);
void ADC_ITConfig(ADC_TypeDef *ADCx, u16 ADC_IT, FunctionalState NewState);
void ADC_ResetCalibration(ADC_TypeDef *ADCx);
FlagStatus ADC_GetResetCalibrationStatus(ADC_TypeDef *ADCx);
void ADC_StartCalibration(ADC_TypeDef *ADCx);
FlagStatus ADC_GetCalibrationStatus(ADC_TypeDef *ADCx);

#endif
