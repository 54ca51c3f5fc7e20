#include "targets/ShortageList.h"

#include "changes/EffectiveSchedule.h"
#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "reports/Unitlines.h"
#include "targets/TargetLines.h"

namespace targets {

std::unique_ptr<TFormLines> makeShortageList(Forms& forms)
{
    return std::make_unique<TFormLines>(forms, QStringLiteral("人員過不足一覧"),
        QStringLiteral(
            "【人員過不足一覧】\r\n\r\n■ 勤務期間の日ごと・時間帯ごとの勤務人数を必要人数と比べ，不足・超過の"
            "時間帯を一覧にします．\r\n\r\n■ １時間のうち30分以上勤務する従業員を，その時間帯の人数に数えます．"
            "休憩時間は差し引いていません．\r\n\r\n■ 必要人数は，スケジュール関係 ⇒ 必要人数設定 "
            "で登録します．\r\n\r\n■ マウスの右クリックで，機能メニューが表示されます．"),
        [&forms](const daychanges::DateChoice& choice) {
            return shortageLines(forms.FormData->staffTargets, daychanges::EffectiveSchedule(*forms.FormData, choice));
        });
}

} // namespace targets
