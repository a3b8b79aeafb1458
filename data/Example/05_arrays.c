/* 数组：求最高分、最低分、平均分，再从小到大排序 */
#include <stdio.h>

#define COUNT 8   /* 数组的长度 */

int main(void)
{
    int scores[COUNT] = {78, 92, 65, 88, 54, 99, 71, 83};
    int i, j, max, min, sum = 0;

    max = min = scores[0];          /* 下标从 0 开始 */
    for (i = 0; i < COUNT; i++) {
        if (scores[i] > max) max = scores[i];
        if (scores[i] < min) min = scores[i];
        sum += scores[i];
    }
    printf("最高分 %d，最低分 %d，平均分 %.1f\n", max, min, (double)sum / COUNT);

    /* 冒泡排序：每一轮把较大的数换到后面 */
    for (i = 0; i < COUNT - 1; i++) {
        for (j = 0; j < COUNT - 1 - i; j++) {
            if (scores[j] > scores[j + 1]) {
                int temp = scores[j];
                scores[j] = scores[j + 1];
                scores[j + 1] = temp;
            }
        }
    }

    printf("排序以后：");
    for (i = 0; i < COUNT; i++) {
        printf("%d ", scores[i]);
    }
    printf("\n");
    return 0;
}
