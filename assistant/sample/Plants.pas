unit Plants;

{ The plants of the greenhouse: each grows with the seasons and describes
  itself; a cactus needs little water, a fern twice as much as the others. }

interface

type
  TPlant = class
  private
    FName: string;
    FHeight: Integer;
  protected
    function WaterNeed: Integer; virtual;
  public
    constructor Create(const AName: string; AHeight: Integer);
    procedure Grow(FromDay, Days: Integer);
    function Describe: string; virtual;
    property Name: string read FName;
    property Height: Integer read FHeight;
    property Water: Integer read WaterNeed;
  end;

  TCactus = class(TPlant)
  protected
    function WaterNeed: Integer; override;
  public
    function Describe: string; override;
  end;

  TFern = class(TPlant)
  protected
    function WaterNeed: Integer; override;
  end;

implementation

uses
  SysUtils, Seasons, Journal;

constructor TPlant.Create(const AName: string; AHeight: Integer);
begin
  inherited Create;
  FName := AName;
  FHeight := AHeight;
end;

{ Litres a week. }
function TPlant.WaterNeed: Integer;
begin
  Result := 1 + FHeight div 20;
end;

procedure TPlant.Grow(FromDay, Days: Integer);
var
  Day: Integer;
begin
  Day := FromDay;
  while Day < FromDay + Days do
  begin
    FHeight := FHeight + WeeklyGrowth(SeasonOf(Day));
    Day := Day + 7;
  end;
end;

function TPlant.Describe: string;
begin
  Result := Format('%s %3d cm  %d l a week', [Pad(FName, 6), FHeight, Water]);
end;

function TCactus.WaterNeed: Integer;
begin
  Result := 0;
end;

function TCactus.Describe: string;
begin
  Result := inherited Describe + '  (spines)';
end;

function TFern.WaterNeed: Integer;
begin
  Result := 2 * inherited WaterNeed;
end;

end.
