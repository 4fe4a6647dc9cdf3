unit Seasons;

{ The greenhouse calendar: the season of a day of the year, and how fast
  plants grow in it. }

interface

type
  TSeason = (Winter, Spring, Summer, Autumn);

function SeasonOf(Day: Integer): TSeason;
function SeasonName(Season: TSeason): string;
function WeeklyGrowth(Season: TSeason): Integer;

implementation

function SeasonOf(Day: Integer): TSeason;
begin
  Day := (Day - 1) mod 365;
  if Day < 0 then
    Day := Day + 365;
  if Day < 78 then
    Result := Winter
  else if Day < 171 then
    Result := Spring
  else if Day < 265 then
    Result := Summer
  else if Day < 354 then
    Result := Autumn
  else
    Result := Winter;
end;

function SeasonName(Season: TSeason): string;
begin
  case Season of
    Winter: Result := 'winter';
    Spring: Result := 'spring';
    Summer: Result := 'summer';
  else
    Result := 'autumn';
  end;
end;

{ Centimetres a week. }
function WeeklyGrowth(Season: TSeason): Integer;
begin
  case Season of
    Spring: Result := 2;
    Summer: Result := 1;
    Autumn: Result := 1;
  else
    Result := 0;
  end;
end;

end.
